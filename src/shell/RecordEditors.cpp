#include "shell/RecordEditors.h"

#include <QHash>

namespace RecordEditors {

namespace {

QHash<int, Editor>& editors() {
    static QHash<int, Editor> all;
    return all;
}

}  // namespace

void install(RegisterId id, Editor editor) {
    editors().insert(int(id), std::move(editor));
}

bool has(RegisterId id) {
    return editors().contains(int(id));
}

Outcome run(RegisterId id, const Request& request) {
    const auto it = editors().constFind(int(id));
    return it == editors().constEnd() ? Outcome() : it.value()(request);
}

}  // namespace RecordEditors
