#pragma once

#include "data/registers/RegisterId.h"

#include <QList>
#include <QString>
#include <optional>

// The navigation of the main window: the group buttons in their order and the register
// buttons inside each group, with the captions the program shows (trailing blanks
// included, they align the captions).
namespace Navigation {

enum class Page {
    Start,
    GroupStart,  // "Aby edytować kliknij właściwą ikonę po lewo"
    Register,
    Reports,
    Charts,
    Library,      // opens the dictionary window
    CompanyData,  // opens the company data window
};

struct Entry {
    QString caption;
    QString objectName;
    Page page = Page::Register;
    std::optional<RegisterId> registerId;
    int readRight = -1;  // a window's own right; a register's comes with its description
};

struct Group {
    QString caption;
    QString objectName;
    Page page;                             // what the group button alone shows
    std::optional<RegisterId> registerId;  // the vehicles group is its register
    QList<Entry> entries;
    int readRight = -1;  // a page's own right (the reports); a register's comes with it
};

const QList<Group>& groups();
// The group that holds a register.
const Group& groupOf(RegisterId id);
// The caption of a register's button (or group button, for vehicles).
QString captionOf(RegisterId id);
// The right that opens a group or an entry, its button and its menu entry; -1: none.
int readRight(const Group& group);
int readRight(const Entry& entry);

}  // namespace Navigation
