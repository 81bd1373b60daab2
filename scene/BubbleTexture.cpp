#include "scene/BubbleSystem.h"
#include "scene/Textures.h"

// Apart from the motion so code that only moves bubbles links without the texture loaders.
void CBubbleSystem::LoadTexture(const std::string& assetDir) {
    LoadBuiltInTexture(166, assetDir, "Particle1", &m_nTexture);
}
