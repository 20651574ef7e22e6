#pragma once
// Every scene is a pair: an initialiser that builds its world and bodies, and
// a viewer that steps, draws and reads the scene's keys once per frame.
#include "KEVA_Physics/engine/NewtonImport.h"

#include <cstdint>

void INITFRICTION();
void INITJOINT();
void INITHAIR();
void INITIMPACT();
void INITIMPACTBULLET();
void INITDOMINO();
void INITSTICKBOX();
void INITCHAIN();
void INITPICKEXPLOSION();
void INITEXPLOSION();
void INITMULTIEXPLOSION();
void INITDESTROY();
void INITCOMPOUND();
void INITCOMPOUNDBOWLING();
void INITCOMPOUNDTREES();
void INITCOMPOUNDEXPLOSION();
void INITCRANE();
void INITCRANE2();
void INITFLUID();
void INITRAGDOLL();
void INITRAGDOLL2();
void INITPLAYER();
void INITPLAYER2();
void INITPLAYER3();

void VIEWFRICTION();
void VIEWJOINT();
void VIEWHAIR();
void VIEWIMPACT();
void VIEWIMPACTBULLET();
void VIEWDOMINO();
void VIEWSTICKBOX();
void VIEWCHAIN();
void VIEWPICKEXPLOSION();
void VIEWEXPLOSION();
void VIEWMULTIEXPLOSION();
void VIEWDESTROY();
void VIEWCOMPOUND();
void VIEWCOMPOUNDBOWLING();
void VIEWCOMPOUNDTREES();
void VIEWCOMPOUNDEXPLOSION();
void VIEWCRANE();
void VIEWCRANE2();
void VIEWFLUID();
void VIEWRAGDOLL();
void VIEWRAGDOLL2();
void VIEWPLAYER();
void VIEWPLAYER2();
void VIEWPLAYER3();
void TESTVHEICLE();

struct SceneEntry {
    std::int32_t code;     // scene number = menu command id
    const char* viewerName;
    void (*init)();  // nullptr: never rebuilt from the menu; hides what its last build left in only-grown arrays
    void (*view)();
    NewtonWorld* const* world;  // the scene's world variable; nullptr for the vehicle
};

// Every scene, in start-up order (the vehicle last: it has no initialiser).
extern const SceneEntry SCENES[25];
const SceneEntry* FINDSCENE(std::int32_t code);
// Runs every initialiser once, in start-up order.
void INITALLSCENES();
