#pragma once
// How the C library hands memory back, tuned for the GL renderer.

// Mesa's software renderer takes a buffer of a few hundred kilobytes for the
// vertices of every draw and frees it at once. By default the C library maps
// such a block fresh from the system each time and the pages are zeroed on
// first touch, which costs more than drawing the vertices; this keeps such
// blocks in the heap for reuse. Called when a GL context is made.
void KEEPRENDERERMEMORY();
