#pragma once

namespace zarv {

// The ground the run flies over: flat with constant gravity (the default, whose results
// never move), or round with gravity falling with altitude and the path turning with the
// curvature.
enum class EarthModel { Flat, Round };

}  // namespace zarv
