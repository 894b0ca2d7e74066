# Windows of the news, the update check and "O programie".
flotanor_add_library(flotanor_news_ui
    SOURCES
        uNews.h uNews.cpp
        uAbout.h uAbout.cpp
    LIBS flotanor_news flotanor_registers_ui Qt6::Widgets
)
