#pragma once

class ListModel;
class MessageService;
class TmyDataBase;

// "Usuń": deletes the current record of the register on screen, after the question when
// the settings ask for one, and relists the register. Records of other registers that
// refer to it stay. True when a record was deleted.
bool deleteCurrentRecord(TmyDataBase& database, ListModel& model, int row, bool ask,
                         MessageService& messages);
