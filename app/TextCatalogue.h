#pragma once
// Every key the application looks up in its string table, in one list.

#include <vector>

const std::vector<const char*>& textCatalogue();
