flotanor_add_test(tst_users SOURCES tst_users.cpp LIBS flotanor_admin_ui flotanor_admin_users WIDGETS ENGINES sqlite postgres)
