#pragma once

// Hands the program's templates, initial data, strings and icon to the
// framework; the program's first step.
void RegisterProgramResources();
