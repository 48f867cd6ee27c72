#include "bilder.h"

std::vector<Asset> glockenAssets()
{
    return {};
}
