#pragma once
// The player's company: new game, month step, production, sales and the
// storage of car designs in the ten model slots. No data of its own: every
// function works on the records of model/records.h.

struct Player {
    static void SetStartValues();
    static void NextMonth();
    static void ShipModels();
    static void SellModels();
    static void SaveModel();
    static void LoadModel();
    static void DeleteModel();
};
