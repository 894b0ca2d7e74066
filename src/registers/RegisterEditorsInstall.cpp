#include "registers/RegisterEditorsInstall.h"

#include "registers/uOsobowa.h"
#include "registers/uPojazdy.h"
#include "shell/RecordEditors.h"

void installRegisterEditors() {
    RecordEditors::install(RegisterId::Pojazdy, &VehicleEditor::edit);
    RecordEditors::install(RegisterId::Osobowa, &PersonEditor::edit);
}
