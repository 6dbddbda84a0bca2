#include "resources/resources.h"

#include <QtGlobal>

static void initQuillmossResources() {
    Q_INIT_RESOURCE(quillmoss);
}

namespace qm {

void initResources() {
    static const bool done = [] {
        initQuillmossResources();
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace qm
