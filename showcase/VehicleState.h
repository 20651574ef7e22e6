#pragma once
// The vehicle scene's state: a car moved by its own arithmetic, without the
// engine, and kept from one visit of the scene to the next. The car is element
// 1 of the arrays. The shell reads where it is and where it heads (the chase
// camera follows them) and toggles its gravity switch (key G).
#include "base/GLTypes.h"

#include <cstdint>

constexpr int MAXOBJ = 60;

extern float HEADING;               // degrees; 0 faces -z
extern TGLVector BOX[MAXOBJ + 1];   // positions, used from index 1; BOX[1] is the car
extern bool ENABLEGRAVITY;          // gravity switch (key G)
extern TGLVector MOVE[MAXOBJ + 1];  // vertical drift: falling, or lifted back out of the ground
extern TGLVector FGT[MAXOBJ + 1];   // the pull of gravity
extern float MASS[MAXOBJ + 1];
extern TGLVector TERRAIN;  // centre of the ground quad
extern TGLVector GRAVITY;

extern float SPEED;  // negative: forwards
extern float ANG;    // HEADING in radians
extern float DIST;   // distance of this frame's move
extern float ACCELERATION;
extern float ELAPSED;  // the frame's time step
extern float FRICTION;
extern float WHEELROT;                        // how far the wheels have rolled, degrees
extern float SPEED1, SPEED2, SPEED3, SPEED4;  // wheel drive factors, 0 until the first frame ends
extern float TURNANGLE;                       // steering angle of the front wheels, -30 .. 30 degrees
extern float WHEELBASE;
extern float SA, TURNRADIUS, VECANGULAR, DH;  // the turn of this frame
extern bool COLTER;                           // a wheel touches the ground
extern bool COL1, COL2, COL3, COL4;           // wheel 1 .. 4 touches an obstacle
extern std::int32_t RESETTIMER;               // repeat counter of key R

// The car back at the origin, standing still and facing -z.
void RESET();
