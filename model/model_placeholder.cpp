// Placeholder bodies so that the rest of the game links while the model is
// being written; replaced by the real month step, start values and tables.
#include "model/opponent.h"
#include "model/part_tables.h"
#include "model/player.h"

void Player::SetStartValues() {}
void Player::NextMonth() {}
void Player::ShipModels() {}
void Player::SellModels() {}
void Player::SaveModel() {}
void Player::LoadModel() {}
void Player::DeleteModel() {}
void Opponent::SetStartValues() {}
void Opponent::GetName(char*) {}
void Opponent::NextMonth() {}
void LoadPartCosts() {}
void LoadPartRates() {}
