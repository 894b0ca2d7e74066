# Downloads against a web folder on loopback, the update report and its files, and the
# windows that show them.
flotanor_add_test(tst_news SOURCES tst_news.cpp LIBS flotanor_news flotanor_news_ui Qt6::Network
    WIDGETS)
