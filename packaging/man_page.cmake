# Puts the OPTIONS section, printed from the options' table, into the man
# page: IN is the page with the version filled in, SECTION the options.
cmake_policy(VERSION 3.25)
file(READ ${IN} page)
file(READ ${SECTION} options)
# The page has the section's place on a line of its own.
string(REGEX REPLACE "\n$" "" options "${options}")
string(REPLACE "@OPTIONS@" "${options}" page "${page}")
file(WRITE ${OUT} "${page}")
