# Windows of the shell.
flotanor_add_library(flotanor_shell_ui
    SOURCES
        uInfoForm.h uInfoForm.cpp
        uQuestionForm.h uQuestionForm.cpp
        uPromptForm.h uPromptForm.cpp
        uPoradaDnia.h uPoradaDnia.cpp
        uSplash.h uSplash.cpp
        uFiszka.h uFiszka.cpp
        WidgetMessageService.h WidgetMessageService.cpp
        WindowTexts.h WindowTexts.cpp
        WindowTranslation.h WindowTranslation.cpp
        RegisterGrid.h RegisterGrid.cpp
        FilterBar.h FilterBar.cpp
        CostsFilters.h CostsFilters.cpp
        RegisterPage.h RegisterPage.cpp
        FindDialog.h FindDialog.cpp
        StartPage.h StartPage.cpp
        MessagePage.h MessagePage.cpp
        ReportsPage.h ReportsPage.cpp
        MainNavigation.h MainNavigation.cpp
        MainMenus.h MainMenus.cpp MenuAccelerators.h MenuAccelerators.cpp
        StartupReminders.h StartupReminders.cpp
        uMain.h uMain.cpp uMainRecords.cpp uMainAdmin.cpp
    LIBS flotanor_shell flotanor_progress_ui flotanor_registers_ui flotanor_output flotanor_output_ui flotanor_import_ui flotanor_options_ui flotanor_addons flotanor_news_ui flotanor_admin flotanor_data
         flotanor_support Qt6::Widgets
)

# The tips shipped with the program, ":/porady.dat".
qt_add_resources(flotanor_shell "porady"
    PREFIX "/"
    BASE "${PROJECT_SOURCE_DIR}/resources"
    FILES "${PROJECT_SOURCE_DIR}/resources/porady.dat"
)
