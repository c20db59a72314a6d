// The object store: CE databases and volumes.
#pragma once
