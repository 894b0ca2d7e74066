#pragma once

// Installs the record dialog of every register that has one.
void installRegisterEditors();
