// The host of the tests' shared precompiled header; it runs no test itself.
#include <gtest/gtest.h>
