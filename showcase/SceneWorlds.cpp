#include "showcase/SceneWorlds.h"

#include "KEVA_Physics/PhyDebug.h"

NewtonWorld* NEWWORLD = nullptr;
NewtonWorld* NEWWORLD1 = nullptr;
NewtonWorld* NEWWORLD2 = nullptr;
NewtonWorld* NEWWORLD3 = nullptr;
NewtonWorld* NEWWORLD4 = nullptr;
NewtonWorld* NEWWORLD5 = nullptr;
NewtonWorld* NEWWORLD6 = nullptr;
NewtonWorld* NEWWORLD7 = nullptr;
NewtonWorld* NEWWORLD8 = nullptr;
NewtonWorld* NEWWORLD9 = nullptr;
NewtonWorld* NEWWORLD10 = nullptr;
NewtonWorld* NEWWORLD11 = nullptr;
NewtonWorld* NEWWORLDCMP1 = nullptr;
NewtonWorld* NEWWORLDCMP2 = nullptr;
NewtonWorld* NEWWORLDCMP3 = nullptr;
NewtonWorld* NEWWORLDCMP4 = nullptr;
NewtonWorld* NEWWORLDCR1 = nullptr;
NewtonWorld* NEWWORLDCR2 = nullptr;
NewtonWorld* NEWWORLDFLU1 = nullptr;
NewtonWorld* NEWWORLDD1 = nullptr;
NewtonWorld* NEWWORLDD2 = nullptr;
NewtonWorld* NEWWORLDPLY1 = nullptr;
NewtonWorld* NEWWORLDPLY2 = nullptr;
NewtonWorld* NEWWORLDPLY3 = nullptr;

void REPLACEWORLD(NewtonWorld*& scene, NewtonWorld* fresh) {
    NewtonWorld* old = scene;
    scene = fresh;
    if (!old || old == fresh) return;
    // A pick in progress must not outlive the body it holds.
    if (PICKEDBODY && NewtonBodyGetWorld(PICKEDBODY) == old) {
        PICKEDBODY = nullptr;
        MOUSEPICKMODE = false;
    }
    NewtonDestroy(old);
}
