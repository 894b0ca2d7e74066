// Feeds arbitrary bytes to the layout loader: it must give a layout or an error, never
// crash, hang or read outside its input. Fragments resolve to a fixed small file so that
// includes are followed too.
#include "output/report/LayoutLoader.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

QString fragment() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("stopka.xml"));
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(
                "<fragment><band kind=\"pagefooter\" height=\"5\"><text x=\"1\">[STRONA]"
                "</text></band></fragment>");
        return file;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray xml(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto result =
        LayoutLoader::parse(xml, QStringLiteral("fuzz.xml"), [](const QString& name) {
            return name == QLatin1String("stopka.xml") ? fragment() : QString();
        });
    if (const auto* error = std::get_if<LayoutError>(&result))
        (void)error->text();
    return 0;
}
