// Scenes that are not built yet: each keeps an empty initialiser and viewer
// here until its own source replaces them.
#include "showcase/Scenes.h"

void INITPICKEXPLOSION() {}
void INITEXPLOSION() {}
void INITMULTIEXPLOSION() {}
void INITDESTROY() {}
void INITCOMPOUND() {}
void INITCOMPOUNDBOWLING() {}
void INITCOMPOUNDTREES() {}
void INITCOMPOUNDEXPLOSION() {}
void INITCRANE() {}
void INITCRANE2() {}
void INITFLUID() {}
void INITRAGDOLL() {}
void INITRAGDOLL2() {}
void INITPLAYER() {}
void INITPLAYER2() {}
void INITPLAYER3() {}

void VIEWPICKEXPLOSION() {}
void VIEWEXPLOSION() {}
void VIEWMULTIEXPLOSION() {}
void VIEWDESTROY() {}
void VIEWCOMPOUND() {}
void VIEWCOMPOUNDBOWLING() {}
void VIEWCOMPOUNDTREES() {}
void VIEWCOMPOUNDEXPLOSION() {}
void VIEWCRANE() {}
void VIEWCRANE2() {}
void VIEWFLUID() {}
void VIEWRAGDOLL() {}
void VIEWRAGDOLL2() {}
void VIEWPLAYER() {}
void VIEWPLAYER2() {}
void VIEWPLAYER3() {}
void TESTVHEICLE() {}
