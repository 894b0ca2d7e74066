#include "shell/PageWindows.h"

#include <QHash>

namespace PageWindows {

namespace {

QHash<int, Opener>& openers() {
    static QHash<int, Opener> all;
    return all;
}

}  // namespace

void install(Navigation::Page page, Opener opener) {
    openers().insert(int(page), std::move(opener));
}

bool has(Navigation::Page page) {
    return openers().contains(int(page));
}

bool open(Navigation::Page page, const Request& request) {
    const auto it = openers().constFind(int(page));
    return it != openers().constEnd() && it.value()(request);
}

}  // namespace PageWindows
