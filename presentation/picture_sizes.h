#pragma once
// The size of every picture file of the catalogue. The picture generator
// draws each picture at this size; frames and patches are as large as the
// fields and texts they must cover.

#include "model/records.h"

struct PictureSize {
    i32 Width;
    i32 Height;
};

// {0, 0} for an id outside the catalogue.
PictureSize SizeOfPicture(i32 picture);
