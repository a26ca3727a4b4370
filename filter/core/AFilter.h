#pragma once

// Public face of a filtration (the rest of the class is the engine's):
//
//   AFilter filter(controls, paramNames);   // reads and validates; throws EFilter
//   filter.Run(user);                        // filters; throws EFilter or EZTData
//
// where controls is a FilterControls, paramNames an AParamNames and user a FilterUser.
