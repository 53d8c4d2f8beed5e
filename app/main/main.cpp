#include "app/main/ConfigurationTool.h"
#include "platform/hid/HidapiAccess.h"

int main(int argc, char** argv) {
    lc::platform::HidapiAccess hid;
    return lc::RunConfigurationTool(argc, argv, hid);
}
