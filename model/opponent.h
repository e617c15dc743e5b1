#pragma once
// The two rival companies run by the computer.

struct Opponent {
    static void SetStartValues();
    static void GetName(char* name);  // fills name[0..14]
    static void NextMonth();
};
