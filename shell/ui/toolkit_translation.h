#pragma once
// The toolkit's own texts in the interface language: the buttons of message boxes ("Abbrechen",
// "Ja", "Nein"), the file dialogs and the context menus of the input fields. The toolkit
// speaks English by itself; for German its translation catalogue is installed into the
// application.

#include "core/texts.h"

namespace talp {

// Installs the toolkit's catalogue of `language` in place of the one installed before (none
// for English). False when the catalogue is not installed on this machine: the toolkit's
// texts then stay English, which is no reason to stop the program.
bool applyToolkitLanguage(Language language);

}  // namespace talp
