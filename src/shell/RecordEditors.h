#pragma once

#include "data/records/Record.h"
#include "data/registers/RegisterId.h"

#include <QStringList>
#include <bitset>
#include <functional>
#include <optional>

class ListModel;
class MessageService;
class QWidget;
class TmyDataBase;

// The record dialogs of the registers, reached by "Dodaj", "Kopiuj", "Edytuj", the
// read-only preview and the hand-on from another register. Each register's dialog
// installs itself here; a register without one says so.
namespace RecordEditors {

enum class Mode { Add, Copy, Edit, Preview, HandOn };

// A saved record handed on to another register, whose add dialog opens pre-filled.
struct HandOn {
    RegisterId target;
    RegisterId source;
    Record values;     // the saved record of the source
    bool lpg = false;  // consumption targets: the fuel kind chosen in the source
};

// What the cost dialog takes from the program options and from the costs list.
struct CostOptions {
    bool remarkMustBeginWithNumber = false;  // the option poleInneJestLiczba
    bool kindChosenOnly = false;             // the option RodzajKosztuRO
    // A plain add takes over the costs list's filters: fuel purchases only, the cost centre
    // (KOD) and the road card (IDDROGOWA) chosen there.
    bool fuelOnly = false;
    std::optional<qint64> costCentre;
    std::optional<qint64> roadCard;
};

struct Request {
    QWidget* parent;
    TmyDataBase& database;
    MessageService& messages;
    ListModel& model;
    int row;  // the current row, -1 when the list is empty
    Mode mode;
    std::bitset<101> rights;
    QString companyName;             // the company data's name, as the main window shows it
    const HandOn* handOn = nullptr;  // Mode::HandOn
    CostOptions costs = {};
};

struct Outcome {
    bool saved = false;
    QStringList key;               // the saved record's key values, to locate it
    std::optional<HandOn> handOn;  // asked for in the dialog, after a successful write
};

using Editor = std::function<Outcome(const Request&)>;

void install(RegisterId id, Editor editor);
bool has(RegisterId id);
Outcome run(RegisterId id, const Request& request);

}  // namespace RecordEditors
