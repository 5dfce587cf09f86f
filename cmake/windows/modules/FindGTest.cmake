# GoogleTest is built inside this project (see ../CMakeLists.txt); this
# module only tells find_package(GTest) that its targets are already there.
if(TARGET GTest::gtest AND TARGET GTest::gtest_main)
  set(GTest_FOUND TRUE)
  set(GTEST_FOUND TRUE)
  set(GTEST_LIBRARIES GTest::gtest)
  set(GTEST_MAIN_LIBRARIES GTest::gtest_main)
  set(GTEST_BOTH_LIBRARIES GTest::gtest GTest::gtest_main)
else()
  set(GTest_FOUND FALSE)
  if(GTest_FIND_REQUIRED)
    message(FATAL_ERROR "GoogleTest targets are missing: configure through cmake/windows")
  endif()
endif()
