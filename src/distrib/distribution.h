#pragma once
// "P&repare Distribution".
void PrepareDistribution();
