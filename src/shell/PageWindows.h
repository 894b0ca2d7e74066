#pragma once

#include "shell/Navigation.h"

#include <bitset>
#include <functional>

class MessageService;
class QWidget;
class TmyDataBase;

// The windows the main window opens from its navigation instead of a register page (the
// dictionary library, the company data). Each installs itself here, so that the main
// window need not know them.
namespace PageWindows {

struct Request {
    QWidget* parent;
    TmyDataBase& database;
    MessageService& messages;
    std::bitset<101> rights;
    bool askBeforeDelete = true;
};

// Whether the window changed what the main window shows (the company's name).
using Opener = std::function<bool(const Request&)>;

void install(Navigation::Page page, Opener opener);
bool has(Navigation::Page page);
// False when nothing changed or no window is installed for the page.
bool open(Navigation::Page page, const Request& request);

}  // namespace PageWindows
