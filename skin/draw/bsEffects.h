// Picture effects of the skin engine: the effects that render an inactive
// frame from the active one, and the blends that fade a button or frame
// object between its normal and its active picture. Every channel result is
// rounded to the nearest integer, halves to the even neighbour, and limited
// to 0..255.
#pragma once

#include <functional>

#include "skin/draw/bsGraphics.h"

namespace bs {

// How a fade between a normal and an active picture runs (skin values 0 to 6).
enum class MorphKind {
  mkdefault = 0,
  mkgradient = 1,
  mkleftgradient = 2,
  mkrightgradient = 3,
  mkleftslide = 4,
  mkrightslide = 5,
  mkpush = 6,
};

// The effect that renders an inactive frame from the active one (skin values 0 to 5).
enum class InactiveEffect {
  iebrightness = 0,
  iedarkness = 1,
  iegrayscale = 2,
  ienoise = 3,
  iesplitblur = 4,
  ieinvert = 5,
};

// Returns an integer from 0 to n - 1.
using RandomSource = std::function<int(int n)>;
// A pseudo-random source seeded from the system.
RandomSource SystemRandom();

// A channel value rounded (halves to even) and limited to 0..255.
int RoundChannel(double value);

// c -> (1 - k) c + 255 k.
void Brighten(Picture& picture, double k);
// c -> (1 - k) c.
void Darken(Picture& picture, double k);
// all channels -> 0.3 R + 0.59 G + 0.11 B.
void Grayscale(Picture& picture);
// one random value from 0 to amount - 1, less amount / 2, added to all three
// channels of each pixel.
void AddNoise(Picture& picture, int amount, const RandomSource& random);
// each pixel -> the average of the four pixels diagonally at distance;
// positions outside the picture are taken from its nearest edge.
void SplitBlur(Picture& picture, int distance);
// c -> 255 - c.
void Invert(Picture& picture);

// The skin's inactive effect with its fixed strength: brightness 0.5,
// darkness 0.3, noise 50, split blur at distance 1.
void ApplyInactiveEffect(Picture& picture, InactiveEffect effect, const RandomSource& random);

// The blend of normal and active at k (limited to 0..1) by kind. Pictures of
// different sizes are not blended: the result is normal unchanged.
Picture MorphBlend(const Picture& normal, const Picture& active, MorphKind kind, double k);

}  // namespace bs
