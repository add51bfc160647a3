#include "symbols/SymbolGroup.h"

CSymbolGroup::CSymbolGroup() = default;

CSymbolGroup::~CSymbolGroup() = default;
