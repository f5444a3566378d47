#include "tools/art/recipe.h"

#include <map>

namespace art {

namespace {
std::map<std::string, Recipe>& recipes()
{
    static std::map<std::string, Recipe> r;
    return r;
}
}  // namespace

bool registerRecipe(const char* name, Recipe recipe)
{
    return recipes().emplace(name, recipe).second;
}

Recipe findRecipe(const std::string& name)
{
    auto it = recipes().find(name);
    return it == recipes().end() ? nullptr : it->second;
}

}  // namespace art
