#pragma once

// What rules search with: patterns and their search loop, bracket scans, line numbers.

#include "products/quarvel/search/BracketScan.h"
#include "products/quarvel/search/LineCounter.h"
#include "products/quarvel/search/MatchWithin.h"
#include "products/quarvel/search/Pattern.h"
#include "products/quarvel/search/SearchLoop.h"
#include "products/quarvel/search/TextScan.h"
