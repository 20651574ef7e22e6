#pragma once
// Pictures as functions of the plane, sampled into RGBA images, and the shape
// helpers they are drawn with (signed distances: negative inside, in pixels).
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

struct Colour {
    float r = 0, g = 0, b = 0, a = 0;  // straight alpha, 0..1
};

// Eight-bit RGBA pixels, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    Image(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4) {}
    const std::uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

// The colour at a point; x runs right and y down, in pixels of the image.
using Shader = std::function<Colour(float x, float y)>;

// Each pixel is the average of samples x samples points (in premultiplied alpha),
// so edges come out smooth.
Image renderPicture(int width, int height, const Shader& shader, int samples = 4);

// `top` composed over `bottom`.
Colour over(Colour top, Colour bottom);
Colour mix(Colour from, Colour to, float t);
Colour withAlpha(Colour colour, float alpha);
Colour scaled(Colour colour, float factor);  // brightness, alpha kept

float clamp01(float value);
float smoothstep(float edge0, float edge1, float value);
// Coverage of a shape whose signed distance is `distance`, with an edge one pixel wide.
float coverage(float distance);

struct Point {
    float x = 0, y = 0;
};
float circleDistance(Point p, Point centre, float radius);
float roundedBoxDistance(Point p, Point centre, Point halfSize, float radius);
// Distance to a simple polygon (any winding).
float polygonDistance(Point p, std::span<const Point> corners);
