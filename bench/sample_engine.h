// An engine file of realistic link sizes for the benchmarks: twelve categories,
// captions of five words, descriptions of twenty, fifteen keywords a link.
#pragma once

#include "commands/ui.h"

#include <cstddef>

// Fills Cat and Base with that many links and saves them into EngineFileName.
void MakeSampleEngine(std::size_t links, Ui& ui);
