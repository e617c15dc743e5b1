#include "model/records.h"

#include <cassert>
#include <initializer_list>

Company PlayerObj, Opponent1Obj, Opponent2Obj;

Staff PlayerSalesmans, PlayerScientists, PlayerTechnicians;
Staff Opponent1Salesmans, Opponent1Scientists, Opponent1Technicians;
Staff Opponent2Salesmans, Opponent2Scientists, Opponent2Technicians;

Bank PlayerBank, Opponent1Bank, Opponent2Bank;
Research PlayerResearch, Opponent1Research, Opponent2Research;
Advertising PlayerAdvertising, Opponent1Advertising, Opponent2Advertising;
FactorySalon PlayerFactorySalon, Opponent1FactorySalon, Opponent2FactorySalon;
ProfitLoss PlayerProfitLoss, Opponent1ProfitLoss, Opponent2ProfitLoss;

Car PlayerCar;
Car PlayerCar1, PlayerCar2, PlayerCar3, PlayerCar4, PlayerCar5,
    PlayerCar6, PlayerCar7, PlayerCar8, PlayerCar9, PlayerCar10;
Car Opponent1Car1, Opponent1Car2, Opponent1Car3, Opponent1Car4, Opponent1Car5,
    Opponent1Car6, Opponent1Car7, Opponent1Car8, Opponent1Car9, Opponent1Car10;
Car Opponent2Car1, Opponent2Car2, Opponent2Car3, Opponent2Car4, Opponent2Car5,
    Opponent2Car6, Opponent2Car7, Opponent2Car8, Opponent2Car9, Opponent2Car10;

Costs CostsObj;
Rates RateObj;

Production ProductionObj, Opponent1ProductionObj, Opponent2ProductionObj;
ModelSale ModelSaleObj, Opponent1ModelSaleObj, Opponent2ModelSaleObj;
Expenses ExpensesObj, Opponent1ExpensesObj, Opponent2ExpensesObj;
Income IncomeObj, Opponent1IncomeObj, Opponent2IncomeObj;

namespace {

Car* const kPlayerModels[kModelArray] = {
    nullptr, &PlayerCar1, &PlayerCar2, &PlayerCar3, &PlayerCar4, &PlayerCar5,
    &PlayerCar6, &PlayerCar7, &PlayerCar8, &PlayerCar9, &PlayerCar10};
Car* const kOpponent1Models[kModelArray] = {
    nullptr, &Opponent1Car1, &Opponent1Car2, &Opponent1Car3, &Opponent1Car4, &Opponent1Car5,
    &Opponent1Car6, &Opponent1Car7, &Opponent1Car8, &Opponent1Car9, &Opponent1Car10};
Car* const kOpponent2Models[kModelArray] = {
    nullptr, &Opponent2Car1, &Opponent2Car2, &Opponent2Car3, &Opponent2Car4, &Opponent2Car5,
    &Opponent2Car6, &Opponent2Car7, &Opponent2Car8, &Opponent2Car9, &Opponent2Car10};

}  // namespace

Car& PlayerModel(i32 slot) {
    assert(slot >= 1 && slot <= kModelSlots);
    return *kPlayerModels[slot];
}

Car& OpponentModel(i32 rival, i32 slot) {
    assert((rival == 1 || rival == 2) && slot >= 1 && slot <= kModelSlots);
    return rival == 1 ? *kOpponent1Models[slot] : *kOpponent2Models[slot];
}

void ResetAllRecords() {
    for (Company* c : {&PlayerObj, &Opponent1Obj, &Opponent2Obj}) *c = Company{};
    for (Staff* s : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians,
                     &Opponent1Salesmans, &Opponent1Scientists, &Opponent1Technicians,
                     &Opponent2Salesmans, &Opponent2Scientists, &Opponent2Technicians})
        *s = Staff{};
    for (Bank* b : {&PlayerBank, &Opponent1Bank, &Opponent2Bank}) *b = Bank{};
    for (Research* r : {&PlayerResearch, &Opponent1Research, &Opponent2Research}) *r = Research{};
    for (Advertising* a : {&PlayerAdvertising, &Opponent1Advertising, &Opponent2Advertising})
        *a = Advertising{};
    for (FactorySalon* f : {&PlayerFactorySalon, &Opponent1FactorySalon, &Opponent2FactorySalon})
        *f = FactorySalon{};
    for (ProfitLoss* p : {&PlayerProfitLoss, &Opponent1ProfitLoss, &Opponent2ProfitLoss})
        *p = ProfitLoss{};
    PlayerCar = Car{};
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        PlayerModel(slot) = Car{};
        OpponentModel(1, slot) = Car{};
        OpponentModel(2, slot) = Car{};
    }
    CostsObj = Costs{};
    RateObj = Rates{};
    for (Production* p : {&ProductionObj, &Opponent1ProductionObj, &Opponent2ProductionObj})
        *p = Production{};
    for (ModelSale* m : {&ModelSaleObj, &Opponent1ModelSaleObj, &Opponent2ModelSaleObj})
        *m = ModelSale{};
    for (Expenses* e : {&ExpensesObj, &Opponent1ExpensesObj, &Opponent2ExpensesObj})
        *e = Expenses{};
    for (Income* i : {&IncomeObj, &Opponent1IncomeObj, &Opponent2IncomeObj}) *i = Income{};
}
