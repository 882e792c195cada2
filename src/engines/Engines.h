// Installs the engines and audio destinations of this platform as the speech platform's
// classes. Called once at program start, before the first speech component is created.
#pragma once

namespace engines {
void RegisterEngines();
}
