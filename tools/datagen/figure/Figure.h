#pragma once
// The jointed figure of the samples: one skeleton of joints (shared by the
// puppet and the walking motion), and the puppet built on it from boxes, each
// box bound to one joint. Coordinates are y up, the figure faces +z.
#include "mesh/Vec3.h"

#include <string>
#include <vector>

struct Joint {
    std::string name;
    int parent = -1;  // an earlier joint, or -1 for the root
    Vec3 offset;      // from the parent's joint (the root's: its place in the world)
    bool endSite = false;  // the chain ends here (a BVH end site follows)
    Vec3 endOffset;
};

// Hips, spine, chest, neck and head; collar, shoulder, elbow and wrist of
// each arm; hip, knee, ankle and toe of each leg; parents first.
const std::vector<Joint>& figureJoints();
Vec3 jointPosition(int joint);  // in the rest pose

struct FigureMaterial {
    std::string name;
    float ambient[3], diffuse[3], specular[3];
    float opacity = 1;
    std::string colourMap;  // a TGA file beside the model, or empty
};

struct FigureVertex {
    Vec3 position, normal;
    float u = 0, v = 0;  // v counted from the bottom of the map
    int bone = -1;
};

struct FigureMesh {
    std::string name;
    int material = 0;
    std::vector<FigureVertex> vertices;  // one normal per vertex
    std::vector<int> triangles;          // three vertex numbers each, counter-clockwise from outside
};

struct Figure {
    std::vector<FigureMaterial> materials;
    std::vector<FigureMesh> meshes;
};

// The puppet: shirt (textured), trousers, skin, shoes and a see-through visor.
Figure puppetFigure();
