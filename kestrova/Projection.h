#pragma once
// The 3D perspective and the 2D orthographic set-up of the viewport.

// Perspective of 45 degrees from 0.1 to `depth`, depth test, additive blend
// function, local-viewer lighting, nicest hints and normalised normals.
// The clear colour takes its alpha first.
void OPENGL_INIT(double depth, double a, double r, double g, double b);
// Orthographic overlay: x from -2 to 2, y from -2*HEIGHT/WIDTH to 2*HEIGHT/WIDTH.
// Stays until the next OPENGL_INIT.
void OPENGL_I2D(double a, double r, double g, double b);
