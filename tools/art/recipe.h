// Drawing recipes of the picture generator: a recipe paints one picture of
// the content declarations onto a canvas of the declared size. Each recipe
// registers itself by name; the generator finds it by the picture's `recipe`.
#pragma once

#include "resources/content.h"

#include <QImage>

#include <string>

namespace art {

// canvas: ARGB32 of the declared size, filled white.
using Recipe = void (*)(QImage& canvas, const content::Picture& picture);

bool registerRecipe(const char* name, Recipe recipe);
// nullptr when no recipe has that name.
Recipe findRecipe(const std::string& name);

}  // namespace art

// Defines and registers a recipe in a file compiled into the generator:
//   ART_RECIPE(clock) { ... paint canvas from picture ... }
#define ART_RECIPE(name)                                                                                               \
    static void artRecipe_##name(QImage& canvas, const content::Picture& picture);                                     \
    static const bool artRegistered_##name = art::registerRecipe(#name, artRecipe_##name);                             \
    static void artRecipe_##name(QImage& canvas, const content::Picture& picture)
