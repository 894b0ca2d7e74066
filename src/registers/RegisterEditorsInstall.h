#pragma once

#include <bitset>
#include <functional>

class MessageService;

// Installs the record dialog of every register that has one, the windows the main
// window opens from its navigation, and the library behind the dialogs' "[...]"
// buttons, which asks for the current user's rights and the deletion option when it
// opens.
void installRegisterEditors(MessageService& messages, std::function<std::bitset<101>()> rights,
                            std::function<bool()> askBeforeDelete);
