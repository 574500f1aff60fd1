#pragma once

// The program's translations: English always, for its plural forms, and the
// desktop language's on top when there is one.
namespace Translations {

// Installs them into the running application.
void install();

} // namespace Translations
