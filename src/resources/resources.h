#pragma once

namespace qm {

// Makes the compiled-in images, texts and skin reachable under ":/quillmoss/".
void initResources();

} // namespace qm
