#pragma once
// The catalogue's picture files for the benchmarks: the game's own under
// Data/Img when they are there, else stand-ins of the same sizes written once
// into a scratch folder that becomes the working directory.

// Makes sure every catalogue path can be read from the working directory.
// Returns false if neither the files nor stand-ins could be had.
bool PrepareCatalogueFiles();
