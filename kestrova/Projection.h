#pragma once
// The 3D perspective and the 2D orthographic set-up of the viewport.

// Perspective of 45 degrees from 0.1 to `depth`, depth test, additive blend
// function, local-viewer lighting, nicest hints and normalised normals.
// The clear colour takes its alpha first.
void OPENGL_INIT(double depth, double a, double r, double g, double b);
// Orthographic overlay: y from -1.5 to 1.5, x as far as the window's shape
// allows (-2 to 2 at 800 x 600). Like the 3D view, it scales with the height,
// so captions stay beside the gravity arrows in any window. Stays until the
// next OPENGL_INIT.
void OPENGL_I2D(double a, double r, double g, double b);
constexpr double kOverlayHalfHeight = 1.5;
// Half the overlay's width: its left edge is at minus this, its right edge at plus.
double OVERLAYHALFWIDTH();
// After the window changed size: the viewport and the perspective's aspect
// follow WIDTH x HEIGHT; the matrix mode is left at model-view.
void FOLLOWWINDOWSIZE();
