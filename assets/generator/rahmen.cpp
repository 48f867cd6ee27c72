#include "bilder.h"

std::vector<Asset> rahmenAssets()
{
    return {};
}
