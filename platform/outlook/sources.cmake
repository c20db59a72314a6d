quillon_dll(ceoutlook outlook/com_server.cpp outlook/ceoutlook.def)
target_link_libraries(ceoutlook PRIVATE ceplat ole32 oleaut32 uuid)
