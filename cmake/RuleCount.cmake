# How many rules there are, read from the one list of them (RuleTypes in AllRules.h), and the
# last rule's number (the numbers run on from 1000, as the registry's test demands): the
# manual pages and the package description take both from here, so a new rule changes them
# without an edit. A test compares the count with the one quarvel prints in its banner.
set(quarvel_rule_list ${CMAKE_SOURCE_DIR}/products/quarvel/rule/AllRules.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${quarvel_rule_list})
file(READ ${quarvel_rule_list} quarvel_all_rules)
if(NOT quarvel_all_rules MATCHES "using RuleTypes = std::tuple<([^>]*)>;")
  message(FATAL_ERROR "No 'using RuleTypes = std::tuple<...>;' in ${quarvel_rule_list}")
endif()
string(REGEX MATCHALL "[A-Za-z0-9_]+" quarvel_rule_types "${CMAKE_MATCH_1}")
list(LENGTH quarvel_rule_types QUARVEL_RULE_COUNT)
math(EXPR QUARVEL_LAST_RULE "999 + ${QUARVEL_RULE_COUNT}")
