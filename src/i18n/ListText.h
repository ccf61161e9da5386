// ListText: names in one sentence, one after another, as the chosen language
// lists them ("弱点击破、坚如磐石"; in English "Weak Spot, Rock Solid").
#pragma once

#include <string>
#include <vector>

std::string ListText(const std::vector<std::string>& names);
