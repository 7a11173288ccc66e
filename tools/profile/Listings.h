#pragma once
// What may be written in a profile document: the key names of a layout variant and the functions.

#include <string>

#include "tools/profile/FunctionWords.h"

namespace profiletool {

// Every slot's key name with its code and other words, then the other keys a key or macro may send.
std::string KeyListing(int variant);

// Every function: its kind, text key, English label, its label in `labels` where that is another
// language (named `labelsName`), and the members it needs.
std::string FunctionListing(const Labels& labels, const std::string& labelsName);

}  // namespace profiletool
