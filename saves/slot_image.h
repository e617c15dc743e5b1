#pragma once
// A whole slot file in memory: the save builds it before anything touches
// the disk, and the load reads it complete before anything touches the game.

#include "saves/slot_layout.h"

// Fills `image` from SlotMainObj and the records. Every byte is set: the
// bytes after a number's NUL are zeros.
void WriteSlotImage(char (&image)[kSlotFileSize]);

// Stores every field of `image` but the stamp into the records. Fields the
// file does not carry keep their values.
void ReadSlotImage(const char (&image)[kSlotFileSize]);
