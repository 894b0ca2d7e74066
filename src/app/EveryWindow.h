#pragma once

#include <QWidget>
#include <functional>

class MessageService;
class TfMain;
class TmyDataBase;

// Makes every window of the program once, over the open company, and hands each to visit
// before it goes: the main window and its own windows, every record dialog, the
// administration, import, report and message windows. What walks the program's windows
// (the language file, the keyboard check) walks them here.
void forEveryWindow(TfMain& window, TmyDataBase& database, MessageService& messages,
                    const std::function<void(QWidget&)>& visit);
