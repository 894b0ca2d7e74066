#pragma once

#include <QString>

class MessageService;
class TfMain;
class TmyDataBase;

// Pictures of the window on the start page and on every register page, and of every
// record dialog on the first row of its register, for a look at the program without
// clicking through it. Quits the application when done.
void saveScreenshots(TfMain& window, TmyDataBase& database, MessageService& messages,
                     const QString& directory);
