#pragma once

// What rules search with: patterns and their search loop, bracket scans, line numbers.

#include "products/quarvel/rule/BracketScan.h"
#include "products/quarvel/rule/LineCounter.h"
#include "products/quarvel/rule/MatchWithin.h"
#include "products/quarvel/rule/Pattern.h"
#include "products/quarvel/rule/SearchLoop.h"
#include "products/quarvel/rule/TextScan.h"
