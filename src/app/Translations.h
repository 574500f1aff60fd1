#pragma once

// The program's translations: English always, for its plural forms, and the
// desktop language's on top when there is one, and our name for the Super
// key in the shortcuts Qt writes.
namespace Translations {

// Installs them into the running application.
void install();

} // namespace Translations
