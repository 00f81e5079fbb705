/* Makes the program's settings key read-only or unreadable for everyone, or open again, so that
 * a test can watch a read or a save that the registry refuses:
 *   key_lock lock     creates the key if needed; its access list then grants reading only
 *   key_lock hide     likewise, granting nothing but changing the access list back
 *   key_lock unlock   grants everyone full access again
 * Built by the fault test itself with mingw-w64; exit code 0 on success. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <aclapi.h>
#include <string.h>

static const char kKey[] = "Software\\Corvanta Screen Saver\\Settings";

int main(int argc, char** argv) {
  HKEY key;
  PSID everyone = NULL;
  SID_IDENTIFIER_AUTHORITY world = {SECURITY_WORLD_SID_AUTHORITY};
  EXPLICIT_ACCESS_A access;
  PACL acl = NULL;
  DWORD result;
  const char* mode = argc > 1 ? argv[1] : "";

  if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, NULL, 0, READ_CONTROL | WRITE_DAC, NULL, &key,
                      NULL) != ERROR_SUCCESS) {
    return 2;
  }
  if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
    return 3;
  }
  ZeroMemory(&access, sizeof access);
  access.grfAccessPermissions = strcmp(mode, "lock") == 0   ? KEY_READ
                                : strcmp(mode, "hide") == 0 ? READ_CONTROL | WRITE_DAC
                                                            : KEY_ALL_ACCESS;
  access.grfAccessMode = SET_ACCESS;
  access.grfInheritance = NO_INHERITANCE;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = (LPSTR)everyone;
  if (SetEntriesInAclA(1, &access, NULL, &acl) != ERROR_SUCCESS) return 4;
  /* Protected: nothing inherited from the parent grants more than this list. */
  result = SetSecurityInfo(key, SE_REGISTRY_KEY,
                           DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, NULL,
                           NULL, acl, NULL);
  LocalFree(acl);
  FreeSid(everyone);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? 0 : 5;
}
