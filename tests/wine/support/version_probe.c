/* A library that holds nothing but its version resource, for the version tests. */
int VersionProbe(void) { return 2013; }
